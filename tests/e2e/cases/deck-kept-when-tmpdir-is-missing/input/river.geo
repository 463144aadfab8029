Geom Title=network case
Program Version=3.1

River Reach=Creek           ,A               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,1       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

