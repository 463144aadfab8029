T1 REACH#  1      ===> Alder Creek     ,Upper           
T2
T3
UB
NC   .07     .07    .035
X1 12.40       6      41      72     410     395     450
GR 412.6       0   410.2      18   408.9      41   407.5      60   404.1      72
GR 401.8      80
* ++++++++++++++++++++++++++++++++++++++++++
* No N Values defined for this section in BEK data, BLANK NC RECORD written as spaceholder...
* ++++++++++++++++++++++++++++++++++++++++++
NC
X1 12.32       6      41      72     410     395     450
GR 412.6       0   410.2      18   408.9      41   407.5      60   404.1      72
GR 401.8      80
DB

EJ
