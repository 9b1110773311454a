OUTDIR rtl
OUTFILE my file.v
module m;
endmodule
