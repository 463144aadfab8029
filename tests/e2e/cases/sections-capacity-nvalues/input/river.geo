Geom Title=section over a capacity
Program Version=4.10

River Reach=Mill Brook      ,Upper           
Reach XY= 2 
       0       0     100     100
Rch Text X Y=50,50
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,11.5    ,100,100,100
#Sta/Elev= 2 
       0     100     500     100
#Mann= 22 ,-1 , 0 
       0   0.030       0      10   0.031       0      20   0.032       0
      30   0.033       0      40   0.034       0      50   0.035       0
      60   0.036       0      70   0.037       0      80   0.038       0
      90   0.039       0     100   0.040       0     110   0.041       0
     120   0.042       0     130   0.043       0     140   0.044       0
     150   0.045       0     160   0.046       0     170   0.047       0
     180   0.048       0     190   0.049       0     200   0.050       0
     210   0.051       0     220   0.052       0     230   0.053       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,11.4    ,100,100,100
#Sta/Elev= 3 
       0      99      50      89     100      99
#Mann= 25 , 0 , 0 
       0     .06       0      20    .035       0      80     .07       0
     100     .08       0     120     .08       0     140     .08       0
Exp/Cntr=0.3,0.1
