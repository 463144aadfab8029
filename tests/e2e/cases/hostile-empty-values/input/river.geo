Geom Title=Alder Creek - hostile input
Program Version=4.10

Junct Name=
Junct Desc=
Up River,Reach=
Dn River,Reach=Alder Creek     ,Upper           
Junc L&A=

River Reach=
Reach XY= 2 
          2100.5         8812.25          3402.5         7310.25
Reverse River Text=

Type RM Length L Ch R = 1 ,12.40   ,410,450,395
#Sta/Elev=
#Mann=
#XS Ineff=
#Block Obstruct=
#XS Lid=
Bank Sta=
Exp/Cntr=

Type RM Length L Ch R =
#Sta/Elev= 3 
       0     100      50      90     100     100
Exp/Cntr=

Type RM Length L Ch R = 1 ,
Exp/Cntr=

Type RM Length L Ch R = 2 ,

Type RM Length L Ch R = 1 ,12.20   ,
#Sta/Elev= 6 
       0   412.6      18   410.2      41   408.9      60   407.5      72   404.1
      80   401.8
#Mann= 3 , 0 , 0 
       0     .07       0      41    .035       0      72     .07       0
Bank Sta=41,72
Exp/Cntr=0.3,0.1

