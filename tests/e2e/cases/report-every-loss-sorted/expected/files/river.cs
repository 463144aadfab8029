T1 REACH#  1      ===> Test Creek      ,Upper           
T2
T3
UB
* A description line that goes on and on A description line that goes on and on A description line that goes on and on A description l
NC   .06     .06    .035
X1  5.41       7       0     600     100     100     100
GR1818.0       0  1810.5     100 1818.09     200    1812     300    1813     400
GR1818.5     500    1811     600
NH     5     .06     100    .035     200     .04     300     .05     400     .06
NH400.13
X11234.5       5       0     400     100     100     100
GR   110       0     100     100     110     200     105     300     110400.1234
**************************************************
*  CULVERT NODE ENCOUNTERED AT RM=1200    
**************************************************
NC   .06     .06    .035
* *-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-
*  CROSS SECTION AT RM=1234.56  IS INTEPOLATED!
* *-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-*-
X11234.5       3       0     200     100     100     100
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1  1180       3       0     200     100     100     100
GR   110       0     100     100     110     200
DB     0
T1 REACH#  2      ===> Test Creek      ,Lower           
T2
T3
UB
**************************************************
*  BRIDGE NODE ENCOUNTERED AT RM=895     
**************************************************
NC   .06     .06    .035
X1   900       3       0     200   10.00   10.00   10.00
X3                            30-115.123     180     112                
GR   110       0     100     100     110     200
NC   .06     .06    .035
X1   895       3       0     200   20.00   20.00   20.00
X3                            30-115.123     180     112                
BT    -2       0     120     115     200     120     115
GR   110       0     100     100     110     200
* WARNING: BRIDGE AT RM=895      HAS NO DOWNSTREAM SECTION IN ITS REACH; ONLY ITS UPSTREAM FACE IS WRITTEN
DB

EJ
