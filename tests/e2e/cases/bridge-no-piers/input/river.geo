Geom Title=Bridge test
Program Version=4.20

River Reach=Test Creek      ,Upper           
Reach XY= 2 
         0.0         1.0         0.0         0.0
Rch Text X Y=0.1,0.5
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,10.5    ,100,120,140
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,10.4    ,,,,
BEGIN DESCRIPTION:
Bridge # 1
END DESCRIPTION:
Node Name=Main Street
Bridge Culvert--1,-1,-1,-1, 0 
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
14,66,2.6,0, 3, 4, , , 0.95, 0, 0,0,,
       0   450.5     900
  216.93  216.93  216.93
     200   215.7     200
       0     300     600     900
  216.93  216.93  216.93  216.93
     200           215.7     200
BR Coef= 1 ,-1 ,-1 ,1.25, 0 ,,0.34,0.8,0,2,0,
WSPro=,,,, 1 ,,,, 0 ,,,, 0 ,,,,-1 ,-1 ,-1 , 0 , 0 , 0 , 0 , 0 
BC Design=,, 0 ,, 0 ,,,,,,
BC HTab HWMax=220.5

Type RM Length L Ch R = 1 ,10.3    ,90,95,97
BEGIN DESCRIPTION:
Downstream of bridge
END DESCRIPTION:
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,10.2    ,50,50,50
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

