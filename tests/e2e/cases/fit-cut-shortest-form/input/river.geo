River Reach=Alder Creek     ,Upper           
Reverse River Text= 0 
Type RM Length L Ch R = 1 ,3.0     ,100,120,110
BEGIN DESCRIPTION:
Opening elevations of 7 and 8 characters
END DESCRIPTION:
#Sta/Elev= 12 
       0 5753.69      10 5753.12      20 5752.40      30 5751.85      40  5751.2
      50-12.3456      60 5751.33      70 5752.01      80 5752.87      90  5753.4
     1000.123456     110  5753.9
#Mann= 6 ,-1 , 0 
       0     .06       0      20    .035       0      40     .05       0
      60     .04       0      80    .045       0100.4567     .06       0
Bank Sta=20,80
Exp/Cntr=0.3,0.1
Type RM Length L Ch R = 1 ,2.5     ,100,120,110
#Sta/Elev= 8 
       0 9999.99     100  9998.5     200 9997.25     3009996.125     400 9998.75
     500-99999.9     700  -99998 1399.32-99997.5
#Mann= 5 ,-1 , 0 
       0     .06       0     200    .035       0     400     .05       0
     600     .04       0     800    .045       0
Bank Sta=200,800
Exp/Cntr=0.3,0.1
Type RM Length L Ch R = 1 ,2.0     ,0,0,0
#Sta/Elev= 6 
       0 1.2E+03      10  1199.5      20 1198.25      30  1199.1      40  1200.0
      50  1234.5
#Mann= 2 ,0 , 0 
       0     .02       0      50    .023       0
Bank Sta=0,50
Exp/Cntr=0.3,0.1
