## A line remark: this whole line disappears.
<## A block remark
    can span several lines. ##>
wire a;   ## the remark goes, the statement stays
wire <## inline block ##> b;
// Verilog comments are ordinary text and pass through.
