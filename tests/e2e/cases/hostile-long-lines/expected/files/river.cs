T1 REACH#  1      ===> Alder Creek     ,Upper           
T2
T3
UB
* Survey notes: the left bank is undercut and the gauge board is missing; the left bank is undercut and the gauge board is missing; th
NC   .07     .07    .035
X1 12.40       6      41      72     410     395     450
GR 412.6       0   410.2      18   408.9      41   407.5      60   404.1      72
GR 401.8      80
NC   .07     .07    .035
X1 12.32       3      40      80     410     395     450
GR 411.6       0   401.2      40   411.9      80
DB

EJ
