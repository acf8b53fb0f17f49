# Qt sources (zelui).
