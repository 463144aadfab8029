# The deck named on the command line is a directory.
mkdir decks
