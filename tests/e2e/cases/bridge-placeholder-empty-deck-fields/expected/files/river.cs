T1 REACH#  1      ===> Test Creek      ,Upper           
T2
T3
UB
**************************************************
*  BRIDGE NODE ENCOUNTERED AT RM=19.5    
**************************************************
* WARNING: BRIDGE AT RM=19.5     HAS AN EMPTY DECK DISTANCE, WIDTH OR POINT COUNT; IT IS READ AS 0
NC   .06     .06    .035
X1  20.0       3       0     200    0.10    0.10    0.10
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1  19.5       3       0     200    0.00    0.00    0.00
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1  19.5       3       0     200  100.00  140.00  120.00
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1  19.0       3       0     200      90      97      95
GR   110       0     100     100     110     200
DB

EJ
