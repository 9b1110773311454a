# top.v includes i1.v, which includes i2.v, ... down to i10000.v: far too deep, and no cycle.
printf 'INCLUDE i1.v\nwire LEAF;\n' > top.v
for k in $(seq 1 9999); do printf 'INCLUDE i%d.v\n' $((k + 1)) > i$k.v; done
printf 'SWAP LEAF reached\n' > i10000.v
