T1 REACH#  1      ===> Creek           ,A               
T2
T3
UB
NC   .06     .06    .035
X1    20       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     3
T1 REACH#  2      ===> Creek           .A               
T2
T3
UB
NC   .06     .06    .035
X1    10       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB
T1 REACH#  3      ===> Creek           ,C               
T2
T3
UB     1
NC   .06     .06    .035
X1     5       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB

EJ
