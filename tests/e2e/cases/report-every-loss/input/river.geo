Geom Title=Losses of every kind
Program Version=4.20

Junct Name=Fork            
Up River,Reach=Test Creek      ,Upper           
Dn River,Reach=Test Creek      ,Nowhere         
Junc L&A=10,0

Type RM Length L Ch R = 1 ,7000    ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
Exp/Cntr=0.3,0.1

River Reach=Test Creek      ,Upper           
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,5.41    ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
BEGIN DESCRIPTION:
A description line that goes on and on A description line that goes on and on A description line that goes on and on A description line that goes on and on 
END DESCRIPTION:
#Sta/Elev= 7 
       01818.023     100  1810.5     200 1818.09     300    1812     400    1813
     5001818.567     600    1811
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,600
Exp/Cntr=0.5,0.3

Type RM Length L Ch R = 1 ,1234.567,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#XS Ineff= 3 ,-1 
       0      10     105      20      30     105
     300     400     106
Permanent Ineff=
       T       F       F
#Block Obstruct= 1 ,-1 
       0      10     104
Levee=0,,,-1,364.86,5755.92,,Levee 1
#Sta/Elev= 5 
       0     110     100     100     200     110     300     105400.1234     110
#Mann= 5 ,-1 , 0 
       0     .06       0     100    .035       0     200     .04       0
     300     .05       0     400     .06       0
Bank Sta=0,400
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 1 ,1234.56*,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 2 ,1200    ,100,100,100
Culvert=2,5,5

Type RM Length L Ch R = 5 ,1190    ,100,100,100
IW Gate Opening=1

Type RM Length L Ch R = 1 ,1180    ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200

Type RM Length L Ch R = 1 ,1170    ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
Exp/Cntr=0.3,0.1

River Reach=Test Creek      ,Lower           
Reverse River Text= 0 

Type RM Length L Ch R = 1 ,900     ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#XS Ineff= 2 , 0 
       0      20     112     180       0     112
#Block Obstruct= 2 , 0 
       0      30115.1234
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
Exp/Cntr=0.3,0.1

Type RM Length L Ch R = 3 ,895     ,,,,
BEGIN DESCRIPTION:
Bridge # 1
Old stone arch, rebuilt 1952
END DESCRIPTION:
Deck Dist Width WeirC Skew NumUp NumDn MinLoCord MaxHiCord MaxSubmerge Is_Ogee
10,20,2.6,0, 2, 2, , , 0.95, 0, 2,2,,
       0     200
     120     120
     115     115
       0     200
     120     120
     115     115
Abutment Skew #Up #Dn= , 2 , 2 
       0      10
     120     120

River Reach=Test Creek      ,Tail            

Type RM Length L Ch R = 1 ,10      ,100,100,100
Node Last Edited Time=Aug/03/1999 13:15:46
#Sta/Elev= 3 
       0     110     100     100     200     110
#Mann= 3 , 0 , 0 
       0     .06       0     100    .035       0     200     .06       0
Bank Sta=0,200
Exp/Cntr=0.3,0.1

