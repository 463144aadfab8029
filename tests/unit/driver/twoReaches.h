#pragma once
// A small geometry file for whole conversions: two reaches, Creek 2 flowing
// into Creek 1 at one junction, a section each.

namespace tolvane {

inline constexpr const char* kGeometry =
    "Junct Name=J1              \n"
    "Up River,Reach=Creek 2         ,Upper           \n"
    "Dn River,Reach=Creek 1         ,Lower           \n"
    "Junc L&A=10,\n"
    "River Reach=Creek 2         ,Upper           \n"
    "Reverse River Text= 0 \n"
    "Type RM Length L Ch R = 1 ,3.0     ,100,120,110\n"
    "#Sta/Elev= 3 \n"
    "       0    20.5      10    18.2      20    20.4\n"
    "#Mann= 3 , 0 , 0 \n"
    "       0     .06       0      10    .035       0      20     .06       0\n"
    "Exp/Cntr=0.3,0.1\n"
    "River Reach=Creek 1         ,Lower           \n"
    "Reverse River Text= 0 \n"
    "Type RM Length L Ch R = 1 ,2.0     ,0,0,0\n"
    "#Sta/Elev= 3 \n"
    "       0    19.5      10    17.2      20    19.4\n"
    "Exp/Cntr=0.3,0.1\n";

}  // namespace tolvane
