# help2man fills the indented lines of dorvik-cli's command list into one
# paragraph; keep one command a line.
/^\.SS "Commands/,/^\.SS/{
  /^\./!s/$/\n.br/
}
