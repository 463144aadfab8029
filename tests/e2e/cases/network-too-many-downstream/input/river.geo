Geom Title=network case
Program Version=3.1

Junct Name=Split           
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,In              
Dn River,Reach=Creek           ,1               
Dn River,Reach=Creek           ,2               
Dn River,Reach=Creek           ,3               
Dn River,Reach=Creek           ,4               
Dn River,Reach=Creek           ,5               
Dn River,Reach=Creek           ,6               
Dn River,Reach=Creek           ,7               
Dn River,Reach=Creek           ,8               
Junc L&A=50,
Junc L&A=50,0

River Reach=Creek           ,In              
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,1               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,2               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,3               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,4               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,5               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,6               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,7               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

River Reach=Creek           ,8               
Reach XY= 2 
       0.4907893       0.9009692       0.4907893       0.8988792
Rch Text X Y=0.4910922,0.9000302
Reverse River Text= 0 

