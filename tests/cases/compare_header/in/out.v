//------------------------------------------------------------------
// old header 1
// old header 2
// old header 3
// old header 4
// old header 5
// old header 6
// old header 7
// old header 8
// old header 9
//------------------------------------------------------------------

wire a;


