T1 REACH#  1      ===> Test Creek      ,Upper           
T2
T3
UB
**************************************************
*  BRIDGE NODE ENCOUNTERED AT RM=19.5    
**************************************************
NC   .06     .06    .035
X1  20.0       3       0     200   14.00   14.00   14.00
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1  19.5       3       0     200   66.00   66.00   66.00
BT    -3     100   220.5     210     150   220.5     212     200   220.5     210
GR   110       0     100     100     110     200
* WARNING: BRIDGE AT RM=19.5     HAS NO DOWNSTREAM SECTION IN ITS REACH; ONLY ITS UPSTREAM FACE IS WRITTEN
DB

EJ
