# Drive W: is the working directory (a drive of Wine's), so that absolute
# names with a drive letter stay short.
ln -sfn "$WORK" "$WINEPREFIX/dosdevices/w:"
