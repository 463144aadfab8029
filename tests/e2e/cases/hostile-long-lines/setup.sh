# river.geo is river.part with its @LONG@ line replaced by a line of 3 MB,
# longer than the program's read buffer, whose "Exp/Cntr=" key stands far
# beyond column 132 (made here so that no large file is kept).
{
  sed '/^@LONG@$/,$d' river.part
  printf 'Gauge record %0120d' 0
  head -c 3000000 /dev/zero | tr '\0' x
  printf 'Exp/Cntr=0.3,0.1\n'
  sed '1,/^@LONG@$/d' river.part
} > river.geo
