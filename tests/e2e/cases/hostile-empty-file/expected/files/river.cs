
EJ
