Geom Title=Small test reach
River Reach=Mill Brook      ,Main            
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,1.50    ,100,120,110
#Sta/Elev= 4 
       0    20.5      10    18.2      20    18.4      30    20.9
#Mann= 3 , 0 , 0 
       0     .06       0      10    .035       0      20     .06       0
Bank Sta=10,20
Exp/Cntr=0.3,0.1
