Geom Title=network case
Program Version=3.1

River Reach=Creek           ,R1              
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

River Reach=Creek           ,R2              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,2       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R3              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,3       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R4              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,4       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R5              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,5       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R6              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,6       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R7              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,7       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R8              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,8       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R9              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,9       ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R10             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,10      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R11             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,11      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R12             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,12      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R13             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,13      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R14             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,14      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R15             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,15      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R16             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,16      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R17             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,17      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R18             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,18      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R19             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,19      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R20             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,20      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R21             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,21      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R22             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,22      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R23             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,23      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R24             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,24      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R25             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,25      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R26             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,26      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R27             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,27      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R28             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,28      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R29             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,29      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R30             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,30      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R31             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,31      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R32             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,32      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R33             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,33      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R34             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,34      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R35             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,35      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R36             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,36      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R37             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,37      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R38             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,38      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R39             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,39      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R40             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,40      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R41             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,41      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R42             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,42      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R43             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,43      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R44             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,44      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R45             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,45      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R46             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,46      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R47             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,47      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R48             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,48      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R49             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,49      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R50             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,50      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R51             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,51      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R52             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,52      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R53             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,53      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R54             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,54      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R55             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,55      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R56             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,56      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R57             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,57      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R58             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,58      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R59             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,59      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R60             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,60      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R61             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,61      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R62             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,62      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R63             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,63      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R64             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,64      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R65             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,65      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R66             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,66      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R67             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,67      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R68             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,68      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R69             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,69      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R70             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,70      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R71             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,71      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R72             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,72      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R73             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,73      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R74             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,74      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R75             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,75      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R76             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,76      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R77             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,77      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R78             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,78      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R79             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,79      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R80             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,80      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R81             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,81      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R82             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,82      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R83             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,83      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R84             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,84      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R85             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,85      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R86             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,86      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R87             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,87      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R88             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,88      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R89             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,89      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R90             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,90      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R91             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,91      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R92             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,92      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R93             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,93      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R94             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,94      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R95             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,95      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R96             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,96      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R97             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,97      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R98             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,98      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R99             
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,99      ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R100            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,100     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R101            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,101     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R102            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,102     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R103            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,103     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R104            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,104     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R105            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,105     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R106            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,106     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R107            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,107     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R108            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,108     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R109            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,109     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R110            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,110     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R111            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,111     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R112            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,112     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R113            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,113     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R114            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,114     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R115            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,115     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R116            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,116     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R117            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,117     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R118            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,118     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R119            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,119     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R120            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,120     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R121            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,121     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R122            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,122     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R123            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,123     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R124            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,124     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R125            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,125     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R126            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,126     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R127            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,127     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R128            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,128     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R129            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,129     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R130            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,130     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R131            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,131     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R132            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,132     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R133            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,133     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R134            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,134     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R135            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,135     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R136            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,136     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R137            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,137     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R138            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,138     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R139            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,139     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R140            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,140     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R141            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,141     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R142            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,142     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R143            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,143     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R144            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,144     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R145            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,145     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R146            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,146     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R147            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,147     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R148            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,148     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R149            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,149     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R150            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,150     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R151            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,151     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R152            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,152     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R153            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,153     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R154            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,154     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R155            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,155     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R156            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,156     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R157            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,157     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R158            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,158     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R159            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,159     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R160            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,160     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R161            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,161     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R162            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,162     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R163            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,163     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R164            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,164     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R165            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,165     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R166            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,166     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R167            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,167     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R168            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,168     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R169            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,169     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R170            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,170     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R171            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,171     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R172            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,172     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R173            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,173     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R174            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,174     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R175            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,175     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R176            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,176     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R177            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,177     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R178            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,178     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R179            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,179     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R180            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,180     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R181            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,181     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R182            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,182     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R183            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,183     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R184            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,184     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R185            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,185     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R186            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,186     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R187            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,187     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R188            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,188     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R189            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,189     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R190            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,190     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R191            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,191     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R192            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,192     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R193            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,193     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R194            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,194     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R195            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,195     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R196            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,196     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R197            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,197     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R198            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,198     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R199            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,199     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R200            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,200     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R201            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,201     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R202            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,202     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R203            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,203     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R204            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,204     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R205            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,205     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R206            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,206     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R207            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,207     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R208            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,208     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R209            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,209     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R210            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,210     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R211            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,211     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R212            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,212     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R213            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,213     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R214            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,214     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R215            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,215     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R216            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,216     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R217            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,217     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R218            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,218     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R219            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,219     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R220            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,220     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R221            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,221     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R222            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,222     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R223            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,223     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R224            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,224     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R225            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,225     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R226            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,226     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R227            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,227     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R228            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,228     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R229            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,229     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R230            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,230     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R231            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,231     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R232            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,232     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R233            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,233     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R234            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,234     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R235            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,235     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R236            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,236     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R237            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,237     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R238            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,238     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R239            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,239     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R240            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,240     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R241            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,241     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R242            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,242     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R243            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,243     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R244            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,244     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R245            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,245     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R246            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,246     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R247            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,247     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R248            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,248     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R249            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,249     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R250            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,250     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R251            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,251     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R252            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,252     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R253            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,253     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R254            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,254     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R255            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,255     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R256            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,256     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R257            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,257     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R258            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,258     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R259            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,259     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R260            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,260     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R261            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,261     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R262            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,262     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R263            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,263     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R264            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,264     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R265            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,265     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R266            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,266     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R267            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,267     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R268            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,268     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R269            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,269     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R270            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,270     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R271            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,271     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R272            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,272     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R273            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,273     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R274            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,274     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R275            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,275     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R276            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,276     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R277            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,277     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R278            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,278     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R279            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,279     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R280            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,280     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R281            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,281     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R282            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,282     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R283            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,283     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R284            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,284     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R285            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,285     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R286            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,286     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R287            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,287     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R288            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,288     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R289            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,289     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R290            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,290     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R291            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,291     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R292            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,292     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R293            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,293     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R294            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,294     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R295            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,295     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R296            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,296     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R297            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,297     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R298            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,298     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R299            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,299     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R300            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,300     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R301            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,301     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R302            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,302     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R303            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,303     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R304            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,304     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R305            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,305     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R306            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,306     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R307            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,307     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R308            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,308     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R309            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,309     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R310            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,310     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R311            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,311     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R312            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,312     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R313            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,313     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R314            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,314     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R315            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,315     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R316            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,316     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R317            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,317     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R318            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,318     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R319            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,319     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R320            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,320     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R321            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,321     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R322            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,322     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R323            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,323     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R324            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,324     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R325            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,325     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R326            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,326     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R327            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,327     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R328            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,328     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R329            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,329     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R330            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,330     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R331            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,331     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R332            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,332     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R333            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,333     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R334            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,334     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R335            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,335     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R336            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,336     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R337            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,337     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R338            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,338     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R339            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,339     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R340            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,340     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R341            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,341     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R342            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,342     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R343            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,343     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R344            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,344     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R345            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,345     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R346            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,346     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R347            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,347     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R348            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,348     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R349            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,349     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R350            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,350     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R351            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,351     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R352            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,352     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R353            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,353     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R354            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,354     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R355            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,355     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R356            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,356     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R357            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,357     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R358            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,358     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R359            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,359     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R360            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,360     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R361            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,361     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R362            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,362     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R363            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,363     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R364            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,364     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R365            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,365     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R366            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,366     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R367            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,367     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R368            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,368     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R369            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,369     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R370            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,370     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R371            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,371     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R372            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,372     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R373            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,373     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R374            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,374     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R375            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,375     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R376            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,376     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R377            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,377     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R378            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,378     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R379            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,379     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R380            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,380     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R381            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,381     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R382            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,382     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R383            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,383     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R384            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,384     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R385            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,385     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R386            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,386     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R387            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,387     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R388            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,388     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R389            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,389     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R390            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,390     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R391            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,391     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R392            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,392     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R393            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,393     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R394            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,394     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R395            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,395     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R396            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,396     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R397            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,397     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R398            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,398     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R399            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,399     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R400            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,400     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R401            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,401     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R402            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,402     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R403            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,403     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R404            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,404     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R405            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,405     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R406            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,406     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R407            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,407     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R408            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,408     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R409            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,409     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R410            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,410     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R411            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,411     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R412            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,412     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R413            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,413     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R414            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,414     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R415            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,415     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R416            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,416     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R417            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,417     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R418            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,418     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R419            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,419     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R420            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,420     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R421            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,421     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R422            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,422     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R423            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,423     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R424            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,424     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R425            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,425     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R426            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,426     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R427            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,427     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R428            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,428     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R429            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,429     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R430            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,430     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R431            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,431     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R432            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,432     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R433            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,433     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R434            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,434     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R435            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,435     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R436            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,436     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R437            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,437     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R438            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,438     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R439            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,439     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R440            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,440     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R441            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,441     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R442            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,442     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R443            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,443     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R444            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,444     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R445            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,445     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R446            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,446     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R447            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,447     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R448            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,448     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R449            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,449     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R450            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,450     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R451            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,451     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R452            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,452     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R453            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,453     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R454            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,454     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R455            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,455     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R456            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,456     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R457            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,457     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R458            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,458     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R459            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,459     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R460            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,460     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R461            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,461     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R462            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,462     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R463            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,463     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R464            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,464     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R465            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,465     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R466            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,466     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R467            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,467     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R468            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,468     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R469            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,469     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R470            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,470     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R471            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,471     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R472            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,472     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R473            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,473     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R474            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,474     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R475            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,475     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R476            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,476     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R477            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,477     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R478            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,478     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R479            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,479     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R480            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,480     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R481            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,481     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R482            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,482     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R483            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,483     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R484            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,484     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R485            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,485     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R486            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,486     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R487            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,487     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R488            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,488     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R489            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,489     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R490            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,490     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R491            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,491     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R492            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,492     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R493            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,493     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R494            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,494     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R495            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,495     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R496            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,496     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R497            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,497     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R498            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,498     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R499            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,499     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R500            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,500     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

River Reach=Creek           ,R501            
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,501     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

