LIST a.txt
LIST b.txt
