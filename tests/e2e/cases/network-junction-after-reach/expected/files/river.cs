T1 REACH#  1      ===> Creek           ,A               
T2
T3
UB
NC   .06     .06    .035
X1     2       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB
T1 REACH#  2      ===> Creek           ,B               
T2
T3
UB
NC   .06     .06    .035
X1     1       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB

EJ
