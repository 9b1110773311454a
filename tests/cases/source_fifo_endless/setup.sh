# A pipe that never ends: reading stops once the file is too long to hold.
mkfifo src.v
(timeout 30 sh -c 'yes "wire y;" > src.v' &) >/dev/null 2>&1
