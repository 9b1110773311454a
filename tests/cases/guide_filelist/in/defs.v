LIST top_files.txt
