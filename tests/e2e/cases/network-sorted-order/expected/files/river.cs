T1 REACH#  1      ===> River           ,Reach 1         
T2
T3
UB
NC   .06     .06    .035
X1   100       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     3
T1 REACH#  2      ===> Branch          ,Reach 1         
T2
T3
UB
NC   .06     .06    .035
X1   150       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     3
T1 REACH#  3      ===> River           ,Reach 2         
T2
T3
UB     1       2
NC   .06     .06    .035
X1   200       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     4
T1 REACH#  4      ===> River           ,Reach 3         
T2
T3
UB     3
NC   .06     .06    .035
X1   300       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB

EJ
