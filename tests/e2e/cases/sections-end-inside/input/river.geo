Geom Title=input ends inside a section
Program Version=4.10

River Reach=Mill Brook      ,Upper           
Reach XY= 2 
       0       0     100     100
Rch Text X Y=50,50
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,3.0     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
#XS Ineff= 2 , 0 
     -10      15      99      85     110      98
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,2.9     ,50,60,70
#Mann= 2 ,-1 , 0 
       0     .05       0      60     .04       0
#Sta/Elev= 12 
       0      98      10      95      20      92      30      90      40      89
      50      88      60      89      70      91      80      94      90      97