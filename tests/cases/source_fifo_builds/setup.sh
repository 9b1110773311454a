# The source and the definition are pipes, each written once and closed: a
# pipe can be read only once, yet the second build reads both again.
mkfifo src.v def.v
(timeout 30 sh -c 'cat src.txt > src.v' &) >/dev/null 2>&1
(timeout 30 sh -c 'cat def.txt > def.v' &) >/dev/null 2>&1
