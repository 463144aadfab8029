Geom Title=node types other than sections
Program Version=4.10

River Reach=Mill Brook      ,Upper           
Reach XY= 2 
       0       0     100     100
Rch Text X Y=50,50
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,8.0     ,100,100,100
#Sta/Elev= 3 
       0     100      50      90     100     100
#Mann= 3 , 0 , 0 
       0     .06       0      20    .035       0      80     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 0 ,7.9     ,,,
BEGIN DESCRIPTION:
A node of type 0
END DESCRIPTION:
#Sta/Elev= 2
       0      50     100      50

Type RM Length L Ch R = 4 ,7.8     ,,,
Lateral Weir Pos= 0 
Lateral Weir SE= 2 
       0     101     300     101
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 2 ,7.7     ,,,
Culvert data

Type RM Length L Ch R = 6 ,7.6     ,,,
#Mann= 3 , 0 , 0 
       0     .09       0      20     .09       0      80     .09       0

Type RM Length L Ch R = x ,7.55    ,,,
#XS Lid=1
       0       0       0

Type RM Length L Ch R =   ,7.52    ,,,

Type RM Length L Ch R =-1 ,7.51    ,,,

Type RM Length L Ch R = 1 ,7.5     ,100,100,100
BEGIN DESCRIPTION:
Below the weir
END DESCRIPTION:
#Sta/Elev= 3 
       0      99      50      89     100      99
Exp/Cntr=0.3,0.1
