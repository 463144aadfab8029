T1 REACH#  1      ===> Alder Creek     ,Upper           
T2
T3
UB
* ++++++++++++++++++++++++++++++++++++++++++
* No N Values defined for this section in BEK data, BLANK NC RECORD written as spaceholder...
* ++++++++++++++++++++++++++++++++++++++++++
NC
X1 12.40       0      41      72     410     395     450
X3                            18  -408.5      72  -408.5                
GR
NH     3     .07      41    .035      72     .07        
X1 12.32       0      41      72     410     395     450
GR
DB

EJ
