old build 1
