Geom Title=sections with every key
Program Version=4.10

River Reach=Stony Creek     ,Main            
Reach XY= 2 
       0       0     100     100
Rch Text X Y=50,50
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,20.5    ,410,450,395
BEGIN DESCRIPTION:
Upstream limit, below the weir
Second line with #Mann= 9 , 0 , 0 in it
END DESCRIPTION:
Node Last Edited Time=Mar/14/2019 09:12:40
#Sta/Elev= 7 
       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1
      80   401.8      96   403.9
#Mann= 3 , 0 , 0 
       0     .07       0      18    .035       0      72     .07       0
Bank Sta=18,72
#XS Ineff= 2 , 0 
    -100       5   411.5      80     200   410.0
XS Rating Curve= 0 ,0
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,20.4*   ,200,210,190
#Sta/Elev= 10 
       0   412.0      20   409.0      40   405.0      60   401.0      80   400.5
     1001001.125     120   404.0     140   408.0     160   411.0     180   412.5
#Mann= 4 ,-1 , 0 
       0     .06       0      40     .04       0      80    .035       0
     120    .045       0
#Block Obstruct= 2 , 0 
    -100      30     410     130     3001234.567
#XS Lid= 4 
      10   415.0   412.5      70   415.0   412.0     110   415.0   412.0
     150   415.0   412.5
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,20.3    ,100,100,100
#Sta/Elev= 3 
       0     410      75     400     150     410
#Mann= 3 ,-1 , 1 
       0     .06       0      50    .035       0     100     .06       0
Bank Sta=,150
#XS Ineff= 3 , 0 
       0      10     405      50      60     405     140     150     405
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,20.2    ,0,0,0
#Sta/Elev= 5 
       0     411      30     405      75     399     120     405     150     411
#Mann= 0 , 0 , 0 
#XS Ineff= 2 , 0 
       0      20     407     130     150     407
#Block Obstruct= 2 , 0 
    -100      25409.5                300   408.0
Bank Sta=30,120
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,20 .1   ,100,200
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,19.9*   ,50,50,50
#Sta/Elev= 6 
       0   410.5      25   405.0      50   401.0      75   400.0     100   405.0
 1250.75   410.5
#Mann= 5 ,-1 , 0 
       0     .07       0      25     .05       0      50    .035       0
      75     .05       0     100     .07       0
#XS Lid=1
      50   415.0   412.0
Bank Sta=25,100
Exp/Cntr=0.3,0.1
