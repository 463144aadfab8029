Geom Title=n values ending at a long last station
River Reach=Long Creek      ,Main            
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,36374.49,100,100,100
#Sta/Elev= 6 
36000.00   410.536100.00   405.036200.00   401.036250.00   400.036300.00   405.0
36374.49   410.5
#Mann= 5 ,-1 , 0 
36000.00     .07       036100.00     .05       036200.00    .035       0
36250.00     .05       036300.00     .07       0
Bank Sta=36100.00,36300.00
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,36000   ,0,0,0
#Sta/Elev= 2 
       0   410.5     100   410.5
#Mann= 3 , 0 , 0 
       0     .07       0      18    .035       0      72     .07       0
Bank Sta=0,100
Exp/Cntr=0.3,0.1
