T1 REACH#  1      ===> Warn Creek      ,Upper           
T2
T3
UB
* A flat, shallow section: its opening elevations lose their last digit                                                               
NC   .05     .05    .035
X1   500       6      20     780     100     100     100
GR5753.6       0 5753.50      20 5753.50     400 5753.50     780 5753.55     800
GR5753.6     800
* An n value of 0 on the channel                                                                                                      
NC   .06     .06       0
X1   400       4      50     150     100     100     100
GR   110       0     100      50     100     150     110     200
* NH end stations that go backwards, and ground stations that go backwards                                                            
NH     3     .06     120    .035      90     .06     200
X1   300       4      50     150     100     100     100
GR   110       0     100      50     100      40     110     200
* The left end point lies below every other point                                                                                     
NC   .06     .06    .035
X1   200       4      50     150     100     100     100
GR    99       0     100      50     100     150     110     200
* No ground points at all                                                                                                             
NH     1   -9999        
X1   100       0       0       0     100     100     100
GR
DB

EJ
