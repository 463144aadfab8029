# The geometry file named on the command line is a directory.
mkdir river.geo
