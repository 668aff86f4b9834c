set terminal emf size 320,240 font "Arial,10"
set output "chart_gnuplot.emf"
set title "Sales"
set xrange [0:6]
set yrange [0:10]
set style fill solid 1.0
plot "-" with boxes lc rgb "#3060c0" title "units", x+2 with lines lw 2 lc rgb "#d02020" title "trend"
1 3
2 5
3 4
4 7
5 6
e
