# top.v includes i1.v, which includes i2.v, ... down to i200.v: 200 levels.
printf 'INCLUDE i1.v\nwire LEAF;\n' > top.v
for k in $(seq 1 199); do printf 'INCLUDE i%d.v\n' $((k + 1)) > i$k.v; done
printf 'SWAP LEAF reached\n' > i200.v
