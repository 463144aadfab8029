# The deck goes into a folder of the working directory.
mkdir decks
