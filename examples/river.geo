Geom Title=Alder Creek and Fern Brook - existing conditions
Program Version=4.10
Viewing Rectangle= 2100.5 , 5230.75 , 8812.25 , 6120.5 

Junct Name=Alder Confl     
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=3402.5,7310.25,3402.5,7310.25
Up River,Reach=Alder Creek     ,Upper           
Up River,Reach=Fern Brook      ,Mouth           
Dn River,Reach=Alder Creek     ,Lower           
Junc L&A=85.5,
Junc L&A=120,

River Reach=Alder Creek     ,Upper           
Reach XY= 2 
          2100.5         8812.25          3402.5         7310.25
Rch Text X Y=2500.2,8100.6
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,12.40   ,410,450,395
BEGIN DESCRIPTION:
Upstream limit of the surveyed reach, below the mill weir
END DESCRIPTION:
Node Last Edited Time=Mar/14/2019 09:12:40
#Sta/Elev= 12 
       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1
      80   401.8      88   401.6      96   403.9     110   407.2     131   409.4
     150   411.0     168   413.2
#Mann= 3 , 0 , 0 
       0     .07       0      72    .035       0      96     .07       0
Bank Sta=72,96
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,12.32*  ,410,450,395
#Sta/Elev= 12 
       0   412.3      18   409.9      41   408.6      60   407.2      72   403.8
      80   401.5      88   401.3      96   403.6     110   406.9     131   409.1
     150   410.7     168   412.9
#Mann= 3 , 0 , 0 
       0     .07       0      72    .035       0      96     .07       0
Bank Sta=72,96
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,12.24   ,140,160,150
BEGIN DESCRIPTION:
Section 40 m above the Quarry Road bridge
END DESCRIPTION:
#Sta/Elev= 10 
       0   411.8      20   409.5      45   407.7      70   403.2      78   400.9
      86   400.8      94   403.0     115   406.6     140   409.0     160   411.4
#Mann= 4 , 1 , 0 
       0     .08       0      70    .035       0      94    .075       0
     115     .09       0
#XS Ineff= 2 , 0 
       0      45   408.5     115     160   408.5
Bank Sta=70,94
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,12.20   ,,,
BEGIN DESCRIPTION:
Quarry Road bridge, two piers
END DESCRIPTION:
Node Name=Quarry Road
Bridge Culvert--1,-1,-1,-1, 0 
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
12,9.5,2.6,0, 4, 4, , , 0.95, 0, 2,2,,
       0      45     115     160
   412.5   412.5   412.5   412.5
   412.5   409.8   409.8   412.5
       0      45     115     160
   412.5   412.5   412.5   412.5
   412.5   409.6   409.6   412.5
Pier Skew, UpSta & Num, DnSta & Num=  ,74, 2 ,74.5, 2 , 0 , 0 , 0 ,,
     1.2     1.2
   400.9   409.8
     1.2     1.2
   400.9   409.6
Pier Skew, UpSta & Num, DnSta & Num=  ,90, 2 ,90.5, 2 , 0 , 0 , 0 ,,
     1.2     1.2
   400.8   409.8
     1.2     1.2
   400.8   409.6
BR Coef=0.95,0.6,1.33,0.5,0.5,0,0
WSPro=-1,0,-1,0,-1,0,0,,,,,,,,,0,0,0,,,,

Type RM Length L Ch R = 1 ,12.16   ,380,395,370
BEGIN DESCRIPTION:
Downstream face of Quarry Road bridge
END DESCRIPTION:
#Sta/Elev= 10 
       0   411.5      20   409.2      45   407.4      70   402.9      78   400.6
      86   400.5      94   402.7     115   406.3     140   408.7     160   411.1
#Mann= 3 , 0 , 0 
       0     .08       0      70    .035       0      94    .075       0
#Block Obstruct= 2 , 0 
       0      20   410.5     140     160   410.5
Bank Sta=70,94
Exp/Cntr=0.5,0.3

River Reach=Fern Brook      ,Mouth           
Reach XY= 2 
          4420.1         7950.3          3402.5         7310.25
Rch Text X Y=4100.4,7700.9
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,2.08    ,220,240,225
#Sta/Elev= 8 
       0   405.2      12   403.1      25   401.0      31   398.7      37   398.5
      43   400.9      60   403.3      75   405.6
#Mann= 3 , 0 , 0 
       0     .06       0      25     .04       0      43     .06       0
Bank Sta=25,43
Exp/Cntr=0.1,0.3

Type RM Length L Ch R = 2 ,2.04    ,,,
BEGIN DESCRIPTION:
Farm track culvert, twin 1.2 m pipes
END DESCRIPTION:
Culvert=2,1.2,,15,0.013,0.5,1,0.2,-1,398.4,0,398.2,14

Type RM Length L Ch R = 1 ,2.00    ,0,0,0
#Sta/Elev= 8 
       0   404.8      12   402.7      25   400.6      31   398.3      37   398.1
      43   400.5      60   402.9      75   405.2
#Mann= 3 , 0 , 0 
       0     .06       0      25     .04       0      43     .06       0
Bank Sta=25,43
Exp/Cntr=0.1,0.3

River Reach=Alder Creek     ,Lower           
Reach XY= 2 
          3402.5         7310.25          5230.75         6120.5
Rch Text X Y=4300.2,6800.1
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,12.08   ,510,530,505
BEGIN DESCRIPTION:
Below the confluence with Fern Brook
END DESCRIPTION:
#Sta/Elev= 11 
       0   410.4      25   408.0      50   406.2      80   401.7      90   399.2
     100   398.9     110   399.4     120   401.9     150   405.8     180   408.3
     205   410.6
#Mann= 3 , 0 , 1 
       0     .07       0      80    .035       0     120     .07       0
Bank Sta=80,120
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,11.98   ,0,0,0
BEGIN DESCRIPTION:
Downstream boundary at the county gauge
END DESCRIPTION:
#Sta/Elev= 11 
       0   409.8      25   407.4      50   405.6      80   401.1      90   398.6
     100   398.3     110   398.8     120   401.3     150   405.2     180   407.7
     205   410.0
#Mann= 3 , 0 , 0 
       0     .07       0      80    .035       0     120     .07       0
#XS Lid=2
      80   403.5   402.0     120   403.5   402.0       0       0       0
Bank Sta=80,120
Exp/Cntr=0.3,0.1
