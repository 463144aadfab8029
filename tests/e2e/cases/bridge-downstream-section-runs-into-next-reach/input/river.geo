River Reach=Mill Brook      ,Upper           
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,1.50    ,100,120,110
#Sta/Elev= 4 
       0    20.5      10    18.2      20    18.4      30    20.9
#Mann= 3 , 0 , 0 
       0     .06       0      10    .035       0      20     .06       0
Bank Sta=10,20
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,1.45    ,,,
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
10,20,2.6,0, 2, 2, , , 0.95, 0, 2,2,,
       0      30
    22.0    22.0
    21.0    21.0
       0      30
    22.0    22.0
    21.0    21.0

Type RM Length L Ch R = 1 ,1.40    ,90,95,97
#Sta/Elev= 4 
       0    20.1      10    17.8      20    18.0      30    20.5
Bank Sta=10,20

River Reach=Mill Brook      ,Lower           
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,1.20    ,0,0,0
#Sta/Elev= 4 
       0    19.1      10    16.8      20    17.0      30    19.5
Exp/Cntr=0.3,0.1
