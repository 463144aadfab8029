T1 REACH#  1      ===>                                  
T2
T3
UB
NC   .06     .06    .035
X1     0       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB
T1 REACH#  2      ===> River           ,Reach 1         
T2
T3
UB
NC   .06     .06    .035
X1    10       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB
T1 REACH#  3      ===> River           ,Reach 2         
T2
T3
UB
NC   .06     .06    .035
X1    20       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB

EJ
