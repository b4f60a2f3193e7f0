        : slider  {
            key        = "s2" ;
            width      = 17.3 ;
            height     =  1.1 ;
            value      = -3 ;
            max_value       = 100 ;
            min_value       = -10 ;
            big_increment   = 1 ;
            small_increment = 1 ;
        }
