T1 REACH#  1      ===> Creek           ,1               
T2
T3
UB
NC   .06     .06    .035
X1     1       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  2      ===> Creek           ,2               
T2
T3
UB
NC   .06     .06    .035
X1     2       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  3      ===> Creek           ,3               
T2
T3
UB
NC   .06     .06    .035
X1     3       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  4      ===> Creek           ,4               
T2
T3
UB
NC   .06     .06    .035
X1     4       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  5      ===> Creek           ,5               
T2
T3
UB
NC   .06     .06    .035
X1     5       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  6      ===> Creek           ,6               
T2
T3
UB
NC   .06     .06    .035
X1     6       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  7      ===> Creek           ,7               
T2
T3
UB
NC   .06     .06    .035
X1     7       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB     8
T1 REACH#  8      ===> Creek           ,Out             
T2
T3
UB     1       2       3       4       5       6       7
NC   .06     .06    .035
X1     0       3      20      80     100     100     100
GR   100       0      90      50     100     100
DB

EJ
