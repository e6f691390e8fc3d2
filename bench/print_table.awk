# Prints the benchmark rows ("ROW", figure, measured, target, verdict, how; tab-separated)
# as one table with aligned columns, in the order they came.
BEGIN {
  FS = "\t"
  split("Figure|Measured|Target|Verdict|How measured", header, "|")
  for (c = 1; c <= 5; c++) width[c] = length(header[c])
}
$1 == "ROW" {
  rows++
  for (c = 1; c <= 5; c++) {
    cell[rows, c] = $(c + 1)
    if (length($(c + 1)) > width[c]) width[c] = length($(c + 1))
  }
}
function line(values,    c, text) {
  text = ""
  for (c = 1; c <= 5; c++) text = text sprintf(c < 5 ? "%-" width[c] "s | " : "%s", values[c])
  print text
}
END {
  line(header)
  for (c = 1; c <= 5; c++) rule[c] = sprintf("%" width[c] "s", "")
  for (c = 1; c <= 5; c++) gsub(/ /, "-", rule[c])
  line(rule)
  for (r = 1; r <= rows; r++) {
    for (c = 1; c <= 5; c++) values[c] = cell[r, c]
    line(values)
  }
}
