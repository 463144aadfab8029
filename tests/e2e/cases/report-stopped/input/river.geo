Geom Title=Bridge test
Program Version=4.20

River Reach=Test Creek      ,Upper           
Reach XY= 2 
         0.0         1.0         0.0         0.0
Rch Text X Y=0.1,0.5
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,20.0    ,100,120,140
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,19.5    ,,,,
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
14,66,2.6,0, 3
     100     150     200
   220.5   220.5   220.5
     210     212     210
     100     150     200
   220.5   220.5   220.5
     210     212     210
Type RM Length L Ch R = 1 ,19.0    ,90,95,97
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

