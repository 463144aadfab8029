T1 an earlier deck
EJ
