Geom Title=Bridge test
Program Version=4.20

River Reach=Test Creek      ,Upper           
Reach XY= 2 
         0.0         1.0         0.0         0.0
Rch Text X Y=0.1,0.5
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,5.41    ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,5.4     ,,,,
BEGIN DESCRIPTION:
Bridge # 1
END DESCRIPTION:
Node Name=Main Street
Bridge Culvert--1,-1,-1,-1, 0 
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
30,40,2.61,0, 6, 6, , , 0.95, 0, 2,2,,
       0     450     450     647     647    2000
  216.93  216.93  216.93  216.93  216.93  216.93
     200     200   215.7   215.7     200     200
       0     450     450     647     647    2000
  216.93  216.93  216.93  216.93  216.93  216.93
     200     200   215.7   215.7     200     200
Pier Skew, UpSta & Num, DnSta & Num=  ,470, 2 ,470, 2 , 0 , 0 , 0 ,,
    1.25    1.25
     200     216
    1.25    1.25
     200     216
Pier Skew, UpSta & Num, DnSta & Num=  ,530, 2 ,530, 2 , 0 , 0 , 0 ,,
    1.25    1.25
     200     216
    1.25    1.25
     200     216
BR Coef= 1 ,-1 ,-1 ,1.25, 0 ,,0.34,0.8,0,2,0,
WSPro=,,,, 1 ,,,, 0 ,,,, 0 ,,,,-1 ,-1 ,-1 , 0 , 0 , 0 , 0 , 0 
BC Design=,, 0 ,, 0 ,,,,,,
BC HTab HWMax=220.5

Type RM Length L Ch R = 1 ,5.39    ,320,500,580
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

