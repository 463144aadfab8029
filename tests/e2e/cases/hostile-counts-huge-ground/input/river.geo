Geom Title=Alder Creek - hostile input
Program Version=4.10

River Reach=Alder Creek     ,Upper           
Reach XY= 2 
          2100.5         8812.25          3402.5         7310.25
Rch Text X Y=2500.2,8100.6
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,12.40   ,410,450,395
#Sta/Elev= 6 
       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1
      80   401.8
#Mann= 3 , 0 , 0 
       0     .07       0      41    .035       0      72     .07       0
Bank Sta=41,72
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,12.32   ,410,450,395
#Sta/Elev= 99999999999 
       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1
      80   401.8
Exp/Cntr=0.3,0.1

