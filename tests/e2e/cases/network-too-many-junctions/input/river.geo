Geom Title=network case
Program Version=3.1

Junct Name=J1              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J2              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J3              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J4              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J5              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J6              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J7              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J8              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J9              
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J10             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J11             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J12             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J13             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J14             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J15             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J16             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J17             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J18             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J19             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J20             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J21             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J22             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J23             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J24             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J25             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J26             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J27             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J28             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J29             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J30             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J31             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J32             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J33             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J34             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J35             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J36             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J37             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J38             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J39             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J40             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J41             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J42             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J43             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J44             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J45             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J46             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J47             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J48             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J49             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J50             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J51             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J52             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J53             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J54             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J55             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J56             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J57             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J58             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J59             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J60             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J61             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J62             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J63             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J64             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J65             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J66             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J67             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J68             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J69             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J70             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J71             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J72             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J73             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J74             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J75             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J76             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J77             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J78             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J79             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J80             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J81             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J82             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J83             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J84             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J85             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J86             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J87             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J88             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J89             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J90             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J91             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J92             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J93             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J94             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J95             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J96             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J97             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J98             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J99             
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J100            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J101            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J102            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J103            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J104            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J105            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J106            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J107            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J108            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J109            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J110            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J111            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J112            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J113            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J114            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J115            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J116            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J117            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J118            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J119            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J120            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J121            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J122            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J123            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J124            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J125            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J126            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J127            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J128            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J129            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J130            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J131            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J132            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J133            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J134            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J135            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J136            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J137            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J138            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J139            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J140            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J141            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J142            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J143            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J144            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J145            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J146            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J147            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J148            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J149            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J150            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J151            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J152            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J153            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J154            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J155            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J156            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J157            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J158            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J159            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J160            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J161            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J162            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J163            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J164            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J165            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J166            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J167            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J168            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J169            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J170            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J171            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J172            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J173            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J174            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J175            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J176            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J177            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J178            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J179            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J180            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J181            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J182            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J183            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J184            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J185            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J186            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J187            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J188            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J189            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J190            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J191            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J192            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J193            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J194            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J195            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J196            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J197            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J198            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J199            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J200            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J201            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J202            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J203            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J204            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J205            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J206            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J207            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J208            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J209            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J210            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J211            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J212            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J213            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J214            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J215            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J216            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J217            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J218            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J219            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J220            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J221            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J222            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J223            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J224            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J225            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J226            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J227            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J228            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J229            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J230            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J231            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J232            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J233            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J234            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J235            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J236            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J237            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J238            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J239            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J240            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J241            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J242            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J243            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J244            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J245            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J246            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J247            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J248            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J249            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J250            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J251            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J252            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J253            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J254            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J255            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J256            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J257            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J258            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J259            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J260            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J261            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J262            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J263            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J264            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J265            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J266            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J267            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J268            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J269            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J270            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J271            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J272            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J273            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J274            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J275            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J276            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J277            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J278            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J279            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J280            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J281            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J282            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J283            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J284            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J285            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J286            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J287            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J288            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J289            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J290            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J291            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J292            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J293            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J294            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J295            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J296            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J297            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J298            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J299            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J300            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

Junct Name=J301            
Junct Desc=, 0 , 0 ,-1 ,0
Junct X Y & Text X Y=0.49,0.89,0.49,0.89
Up River,Reach=Creek           ,A               
Dn River,Reach=Creek           ,B               
Junc L&A=50,
Junc L&A=50,0

River Reach=Creek           ,A               
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

River Reach=Creek           ,B               
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

