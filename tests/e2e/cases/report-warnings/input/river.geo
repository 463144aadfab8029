Geom Title=What readers of the deck reject, and a cut that changes the flow
Program Version=4.20

River Reach=Warn Creek      ,Upper           
Reach XY= 2 
         0.0         1.0         0.0         0.0
Rch Text X Y=0.1,0.5
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,500     ,100,100,100
BEGIN DESCRIPTION:
A flat, shallow section: its opening elevations lose their last digit
END DESCRIPTION:
#Sta/Elev= 6 
       0 5753.69      20 5753.50     400 5753.50     780 5753.50     800 5753.55
     800 5753.69
#Mann= 3 , 0 , 0 
       0     .05       0      20    .035       0     780     .05       0
Bank Sta=20,780
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,400     ,100,100,100
BEGIN DESCRIPTION:
An n value of 0 on the channel
END DESCRIPTION:
#Sta/Elev= 4 
       0     110      50     100     150     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0      50       0       0     150     .06       0
Bank Sta=50,150
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,300     ,100,100,100
BEGIN DESCRIPTION:
NH end stations that go backwards, and ground stations that go backwards
END DESCRIPTION:
#Sta/Elev= 4 
       0     110      50     100      40     100     200     110
#Mann= 3 ,-1 , 0 
       0     .06       0     120    .035       0      90     .06       0
Bank Sta=50,150
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,200     ,100,100,100
BEGIN DESCRIPTION:
The left end point lies below every other point
END DESCRIPTION:
#Sta/Elev= 4 
       0      99      50     100     150     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0      50    .035       0     150     .06       0
Bank Sta=50,150
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,100     ,100,100,100
BEGIN DESCRIPTION:
No ground points at all
END DESCRIPTION:
#Sta/Elev= 0 
#Mann= 1 ,-1 , 0 
       0   -9999       0
Bank Sta=0,0
Exp/Cntr=0.3,0.1
