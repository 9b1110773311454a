c

