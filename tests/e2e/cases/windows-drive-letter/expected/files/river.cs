T1 REACH#  1      ===> Mill Brook      ,Main            
T2
T3
UB
NC   .06     .06    .035
X1  1.50       4      10      20     100     110     120
GR  20.5       0    18.2      10    18.4      20    20.9      30
DB

EJ
