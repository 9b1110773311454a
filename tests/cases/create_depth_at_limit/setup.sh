# f0.v creates f1.v, ... down to f100.v: 100 levels of CREATE, the limit.
for i in $(seq 0 99); do printf 'CREATE f%d.v\n' $((i + 1)) > f$i.v; done
printf 'wire leaf;\n' > f100.v
