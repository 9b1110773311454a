for i in $(seq 0 101); do printf 'CREATE f%d.v\n' $((i + 1)) > f$i.v; done
printf 'wire leaf;\n' > f102.v
