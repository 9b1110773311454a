# top.v includes i1.v, which includes i2.v, ... down to i201.v: 201 levels, one too many.
printf 'INCLUDE i1.v\nwire LEAF;\n' > top.v
for k in $(seq 1 200); do printf 'INCLUDE i%d.v\n' $((k + 1)) > i$k.v; done
printf 'SWAP LEAF reached\n' > i201.v
