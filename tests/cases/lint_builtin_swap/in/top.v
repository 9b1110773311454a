parameter VERSION = 3;
// built by Korvex VERSION
