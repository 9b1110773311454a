LIST /dev/full
