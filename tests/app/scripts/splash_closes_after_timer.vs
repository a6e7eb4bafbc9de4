# The about box opens with the frame as the splash and closes by itself
# after 500 hundredths.
show windows
show "V.O.R.D.A. 2.0"
wait 499
show windows
wait 1
show windows
