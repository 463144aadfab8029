Geom Title=culvert between sections
Program Version=4.10

River Reach=Mill Brook      ,Lower           
Reach XY= 2 
       0       0     100     100
Rch Text X Y=50,50
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,5.0     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 2 ,4.95    ,,,
BEGIN DESCRIPTION:
Twin pipe crossing
END DESCRIPTION:
Node Last Edited Time=Jun/12/2002 10:33:30
Bridge Culvert-0,0,1,-1, 0 
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
10,40,2.6,0, 2, 2, 33.7, , 0.95, 0, 2,2,,
       0     100
    95.5    95.5
Culvert Bottom n=0.013
#Sta/Elev= 2
       0      50     100      50
Exp/Cntr=0.3,0.1
BC HTab HWMax=37.2

Type RM Length L Ch R = 1 ,4.9     ,100,100,100
BEGIN DESCRIPTION:
Below the crossing
END DESCRIPTION:
#Sta/Elev= 3 
       0      99      50      89     100      99
Bank Sta=20,80
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 2 , 4 .85  ,,,
Culvert data follows
